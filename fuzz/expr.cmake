# Fuzz targets of the expression utilities and the three evaluators.
kvadrix_fuzz_target(fuzz_evaluate fuzz_evaluate.cpp kvadrix_expr)
kvadrix_fuzz_target(fuzz_evaluate_n fuzz_evaluate_n.cpp kvadrix_expr)
kvadrix_fuzz_target(fuzz_rational fuzz_rational.cpp kvadrix_expr)
kvadrix_fuzz_target(fuzz_text_to_number fuzz_text_to_number.cpp kvadrix_expr)
kvadrix_fuzz_target(fuzz_format_number fuzz_format_number.cpp kvadrix_expr)
