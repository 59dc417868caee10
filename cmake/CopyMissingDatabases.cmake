# Copies each delivered database into a folder unless one is there already. The
# databases are made readable by their owner alone; SHARED makes the copies readable
# by everyone, for an installation whose users each copy them on first start.
file(MAKE_DIRECTORY "${TO}")
if(SHARED)
    set(permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
else()
    set(permissions OWNER_READ OWNER_WRITE)
endif()
foreach(name Tallowmere.db Rss.db)
    if(NOT EXISTS "${TO}/${name}")
        file(COPY "${FROM}/${name}" DESTINATION "${TO}" FILE_PERMISSIONS ${permissions})
        message(STATUS "Delivered ${TO}/${name}")
    endif()
endforeach()
