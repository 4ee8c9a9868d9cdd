# The worksheet benchmarks (included from bench/CMakeLists.txt). Their own main() makes the GUI
# application that fonts need, so they link benchmark::benchmark, not benchmark_main.
add_executable(worksheet_bench ${CMAKE_CURRENT_LIST_DIR}/worksheet_bench.cpp)
target_link_libraries(worksheet_bench PRIVATE sumwick_worksheet benchmark::benchmark sumwick_warnings)
