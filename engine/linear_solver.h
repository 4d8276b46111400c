// Dense linear solver: Gaussian elimination with partial pivoting by rows, in
// a decomposition step and a substitution step. Used for the white point
// correction of each grey and for scaling the primaries to the D50 white.
#pragma once

// Solves A x = b for an n x n matrix a stored row by row (row i, column j at
// i * n + j); x replaces b and a is overwritten with its elimination factors.
// 0 when solved, 1 when the pivot array cannot be had or a pivot is exactly
// zero; b is unchanged then.
int SolveLinearSystem(double* a, int n, double* b);

// Factors a in place; pivot[k] is the row swapped with row k and
// pivot[n - 1] the sign of the permutation. 1 on an exact zero pivot.
int DecomposeLU(double* a, int n, int* pivot);
// Solves with the factors of DecomposeLU; x replaces b.
void SubstituteLU(const double* a, int n, double* b, const int* pivot);
