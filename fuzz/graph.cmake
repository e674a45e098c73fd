# Fuzz target of the graph's field readers and sampler.
kvadrix_fuzz_target(fuzz_graph_sampling fuzz_graph_sampling.cpp kvadrix_field_readers)
