// Host ResetPageControls, kept apart from the other UI operations because it
// reads the page controller's currentPage: only programs that reset pages
// (and so link the page controller) pull it in.
#include "tests/support/host_ui.h"

#include "wizard/ui_operations.h"

extern int currentPage;

void ResetPageControls() {
    AppendHostUiLog("ResetPageControls");
    HostControls.prevEnabled = currentPage > 1;
    HostControls.nextEnabled = 1;
    HostControls.setupFormVisible = 0;
    HostControls.saveButtonsVisible = 0;
    HostControls.targetVisible = 0;
    HostControls.brightnessVisible = 0;
    HostControls.gaugeVisible = 0;
    HostControls.resultsVisible = 0;
    HostControls.tryAgainEnabled = 0;
}
