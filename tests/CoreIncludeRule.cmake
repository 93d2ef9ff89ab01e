# Fails when a file of the core includes anything but the C++ standard library or the core.
set(allowed
  algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
  climits cmath compare concepts condition_variable cstddef cstdint cstdio cstdlib cstring
  deque exception filesystem format functional initializer_list iomanip ios iosfwd iostream
  istream iterator limits list map memory mutex new numbers numeric optional ostream queue random
  ranges ratio set shared_mutex source_location span sstream stdexcept stop_token string
  string_view system_error thread tuple type_traits typeinfo unordered_map unordered_set
  utility variant vector version fstream)
file(GLOB_RECURSE files ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(bad "")
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(FIND allowed "${CMAKE_MATCH_1}" found)
      if(found EQUAL -1)
        list(APPEND bad "${f}: <${CMAKE_MATCH_1}>")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      if(NOT CMAKE_MATCH_1 MATCHES "^core/")
        list(APPEND bad "${f}: \"${CMAKE_MATCH_1}\"")
      endif()
    endif()
  endforeach()
endforeach()
if(bad)
  string(REPLACE ";" "\n" bad "${bad}")
  message(FATAL_ERROR "the core includes headers from outside the standard library:\n${bad}")
endif()
