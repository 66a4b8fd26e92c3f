# RTF throughput figures for the bench executable named by HALVORA_BENCH_TARGET.
target_sources(${HALVORA_BENCH_TARGET} PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/RtfThroughput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RtfThroughput.h
)
target_link_libraries(${HALVORA_BENCH_TARGET} PRIVATE halvora_rtf Qt6::Gui Qt6::Core)
