# Fuzz target of kvadrix-cli's batch line reader.
kvadrix_fuzz_target(fuzz_command_line fuzz_command_line.cpp kvadrix_cli_line)
