# Copies each delivered database into a folder unless one is there already, readable
# by its owner alone.
file(MAKE_DIRECTORY "${TO}")
foreach(name Tallowmere.db Rss.db)
    if(NOT EXISTS "${TO}/${name}")
        file(COPY "${FROM}/${name}" DESTINATION "${TO}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE)
        message(STATUS "Delivered ${TO}/${name}")
    endif()
endforeach()
