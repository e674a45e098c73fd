# Fuzz targets of the restructuring helpers and of reduction.
kvadrix_fuzz_target(fuzz_prefix_form fuzz_prefix_form.cpp kvadrix_poly)
kvadrix_fuzz_target(fuzz_reduce_expression fuzz_reduce_expression.cpp kvadrix_simplify)
