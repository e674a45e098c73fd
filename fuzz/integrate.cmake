# Fuzz targets of the integration engine and Simpson's rule.
kvadrix_fuzz_target(fuzz_integrate fuzz_integrate.cpp kvadrix_integrate kvadrix_numeric)
kvadrix_fuzz_target(fuzz_integrate_table fuzz_integrate_table.cpp kvadrix_integrate)
