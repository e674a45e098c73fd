# Fuzz targets of the numeric tabs' readers and methods.
kvadrix_fuzz_target(fuzz_point_readers fuzz_point_readers.cpp kvadrix_numeric)
kvadrix_fuzz_target(fuzz_numeric_methods fuzz_numeric_methods.cpp kvadrix_numeric)
