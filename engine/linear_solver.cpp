// Gaussian elimination with row pivoting. Only an exact zero pivot counts as
// singular: callers that need a sane answer check the solution themselves.
#include "engine/linear_solver.h"

#include <cmath>
#include <cstdlib>

static void SwapValues(double* first, double* second) {
    double kept = *first;
    *first = *second;
    *second = kept;
}

// Row p replaces k only when strictly larger, so ties keep the earlier row.
static int PivotRow(const double* a, int n, int k) {
    int p = k;
    for (int i = k + 1; i < n; ++i)
        if (std::fabs(a[i * n + k]) > std::fabs(a[p * n + k])) p = i;
    return p;
}

// Swaps column j of rows p and k, then adds the stored (negated) multipliers.
static void EliminateColumn(double* a, int n, int k, int p, int j) {
    SwapValues(&a[p * n + j], &a[k * n + j]);
    double pivotRowValue = a[k * n + j];
    if (pivotRowValue == 0) return;
    for (int i = k + 1; i < n; ++i)
        a[i * n + j] += a[i * n + k] * pivotRowValue;
}

int DecomposeLU(double* a, int n, int* pivot) {
    pivot[n - 1] = 1;
    for (int k = 0; k < n - 1; ++k) {
        int p = PivotRow(a, n, k);
        pivot[k] = p;
        if (p != k) pivot[n - 1] = -pivot[n - 1];
        SwapValues(&a[p * n + k], &a[k * n + k]);
        if (a[k * n + k] == 0) return 1;
        for (int i = k + 1; i < n; ++i)
            a[i * n + k] = -a[i * n + k] / a[k * n + k];
        for (int j = k + 1; j < n; ++j)
            EliminateColumn(a, n, k, p, j);
    }
    return a[(n - 1) * n + (n - 1)] == 0 ? 1 : 0;
}

void SubstituteLU(const double* a, int n, double* b, const int* pivot) {
    for (int k = 0; k < n - 1; ++k) {
        SwapValues(&b[pivot[k]], &b[k]);
        for (int i = k + 1; i < n; ++i)
            b[i] += a[i * n + k] * b[k];
    }
    for (int k = n - 1; k > 0; --k) {
        b[k] = b[k] / a[k * n + k];
        for (int i = 0; i < k; ++i)
            b[i] += a[i * n + k] * -b[k];
    }
    b[0] = b[0] / a[0];
}

int SolveLinearSystem(double* a, int n, double* b) {
    if (n < 1) return 1;
    int* pivot = static_cast<int*>(std::malloc(sizeof(int) * n));
    if (pivot == nullptr) return 1;
    int failed = DecomposeLU(a, n, pivot);
    if (!failed) SubstituteLU(a, n, b, pivot);
    std::free(pivot);
    return failed;
}
