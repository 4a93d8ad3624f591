// Compiles the headers the tests without windows share; see CMakeLists.txt.
