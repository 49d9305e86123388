# The fuzz targets, each with the libraries it exercises: the one list that
# fuzz/ builds with libFuzzer, robust/ replays in the ordinary build and
# scripts/fuzz runs. The including folder defines voran_fuzz_target(name libs...).
voran_fuzz_target(fuzz_numeric_input voran_request)
voran_fuzz_target(fuzz_control_data voran_request)
voran_fuzz_target(fuzz_distributions voran_stats)
voran_fuzz_target(fuzz_csv_reader voran_cli_table)
if(VORAN_GUI)
  voran_fuzz_target(fuzz_text_device voran_printing)
endif()
