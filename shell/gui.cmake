# The desktop program: one library with the shell's widgets and the pages of every subsystem (they and
# the operations sheet refer to each other), the resources, and the `vantorel` executable.
file(GLOB shell_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
    ${PROJECT_SOURCE_DIR}/digit/ui/*.cpp ${PROJECT_SOURCE_DIR}/digit/ui/*.h
    ${PROJECT_SOURCE_DIR}/lotto/ui/*.cpp ${PROJECT_SOURCE_DIR}/lotto/ui/*.h
    ${PROJECT_SOURCE_DIR}/store/ui/*.cpp ${PROJECT_SOURCE_DIR}/store/ui/*.h)
list(REMOVE_ITEM shell_sources
    ${CMAKE_CURRENT_SOURCE_DIR}/QtProfileStore.cpp ${CMAKE_CURRENT_SOURCE_DIR}/QtProfileStore.h
    ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)

add_library(shell STATIC ${shell_sources} ${PROJECT_SOURCE_DIR}/res/vantorel.qrc)
set_target_properties(shell PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(shell PUBLIC digit lotto store platform profile_qt Qt6::Widgets Qt6::PrintSupport)

# The lock-key indicators of the status bar ask the X server directly when its client library is there.
find_path(VANTOREL_XCB_INCLUDE_DIR xcb/xcb.h)
find_library(VANTOREL_XCB_LIBRARY xcb)
if(VANTOREL_XCB_INCLUDE_DIR AND VANTOREL_XCB_LIBRARY)
    target_compile_definitions(shell PRIVATE VANTOREL_HAVE_XCB)
    target_include_directories(shell PRIVATE ${VANTOREL_XCB_INCLUDE_DIR})
    target_link_libraries(shell PRIVATE ${VANTOREL_XCB_LIBRARY})
endif()

add_executable(vantorel main.cpp)
target_link_libraries(vantorel PRIVATE shell)
