# Fuzz targets of the rewriting rules, the inner-function finder and the polynomials.
kvadrix_fuzz_target(fuzz_rules fuzz_rules.cpp kvadrix_simplify)
kvadrix_fuzz_target(fuzz_inner_function fuzz_inner_function.cpp kvadrix_simplify)
kvadrix_fuzz_target(fuzz_polynomials fuzz_polynomials.cpp kvadrix_poly)
kvadrix_fuzz_target(fuzz_divide_polynomials fuzz_divide_polynomials.cpp kvadrix_poly)
