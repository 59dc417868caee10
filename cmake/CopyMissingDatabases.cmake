# Copies each delivered database into the program folder unless one is there already.
file(MAKE_DIRECTORY "${TO}")
foreach(name Tallowmere.db Rss.db)
    if(NOT EXISTS "${TO}/${name}")
        file(COPY "${FROM}/${name}" DESTINATION "${TO}")
        message(STATUS "Delivered ${TO}/${name}")
    endif()
endforeach()
