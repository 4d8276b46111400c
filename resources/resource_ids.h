/* Numbers of the bitmap and icon resources of both programs. Plain
   #defines only, so that the resource compiler and C++ read the same file. */
#ifndef PRISMOTH_RESOURCE_IDS_H
#define PRISMOTH_RESOURCE_IDS_H

/* Prismoth - Monitor: the application icon (prismoth.ico) and its bitmaps. */
#define IDAPPLICATIONICON 1
#define IDBLACKPOINTER 201    /* pointer_black.bmp, 13 x 11, 24 bits */
#define IDREDPOINTER 202      /* pointer_red.bmp */
#define IDGREENPOINTER 203    /* pointer_green.bmp */
#define IDBLUEPOINTER 204     /* pointer_blue.bmp */
#define IDCHROMATICITYD75 211 /* chromaticity_d75.bmp, 440 x 440, 24 bits */
#define IDCHROMATICITYD65 212 /* chromaticity_d65.bmp */
#define IDCHROMATICITYD50 213 /* chromaticity_d50.bmp */
#define IDCURVES 214          /* curves.bmp, 440 x 440, 8 bits */

/* Velloran: its icon (velloran.ico) and the reference photograph. */
#define IDMAIN 301
#define IDREFERENCEIMAGE 302 /* reference.bmp, 400 x 338, 24 bits */

#endif
