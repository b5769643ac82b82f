# The release notes in NEWS, read once for the metainfo's releases and the
# Debian package's changelog. Each release starts with a line
# "Trellwick VERSION (YYYY-MM-DD)", newest first; each of its items starts
# with "- ", and the item's further lines are indented by two spaces.
#
# Sets TRELLWICK_RELEASES (the versions, newest first) and for each version V
# TRELLWICK_RELEASE_<V>_DATE and TRELLWICK_RELEASE_<V>_ITEMS, a list of items
# that keep NEWS's line breaks.
set(news_file ${PROJECT_SOURCE_DIR}/NEWS)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${news_file})
file(STRINGS ${news_file} news_lines)
set(TRELLWICK_RELEASES "")
set(release "")
set(item "")
foreach(line IN LISTS news_lines)
    if(line MATCHES ";")
        # A list element can't hold one.
        message(FATAL_ERROR "${news_file}: write the item without \";\": ${line}")
    elseif(line MATCHES "^Trellwick ([0-9.]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
        set(release ${CMAKE_MATCH_1})
        list(APPEND TRELLWICK_RELEASES ${release})
        set(TRELLWICK_RELEASE_${release}_DATE ${CMAKE_MATCH_2})
        set(TRELLWICK_RELEASE_${release}_ITEMS "")
    elseif(release AND line MATCHES "^- (.+)$")
        list(APPEND TRELLWICK_RELEASE_${release}_ITEMS "${CMAKE_MATCH_1}")
    elseif(release AND line MATCHES "^  (.+)$" AND TRELLWICK_RELEASE_${release}_ITEMS)
        list(POP_BACK TRELLWICK_RELEASE_${release}_ITEMS item)
        list(APPEND TRELLWICK_RELEASE_${release}_ITEMS "${item}\n${CMAKE_MATCH_1}")
    elseif(NOT line STREQUAL "")
        message(FATAL_ERROR "${news_file}: not a release heading nor part of an item: ${line}")
    endif()
endforeach()
if(NOT TRELLWICK_RELEASES)
    message(FATAL_ERROR "${news_file} names no release")
endif()

# The releases as the <releases> element of AppStream metainfo.
function(trellwick_metainfo_releases out_var)
    set(xml "<releases>")
    foreach(release IN LISTS TRELLWICK_RELEASES)
        string(APPEND xml "\n    <release version=\"${release}\" "
                          "date=\"${TRELLWICK_RELEASE_${release}_DATE}\">\n"
                          "      <description>\n        <ul>")
        foreach(item IN LISTS TRELLWICK_RELEASE_${release}_ITEMS)
            string(REPLACE "&" "&amp;" item "${item}")
            string(REPLACE "<" "&lt;" item "${item}")
            string(REPLACE ">" "&gt;" item "${item}")
            string(REPLACE "\n" " " item "${item}")
            string(APPEND xml "\n          <li>${item}</li>")
        endforeach()
        string(APPEND xml "\n        </ul>\n      </description>\n    </release>")
    endforeach()
    set(${out_var} "${xml}\n  </releases>" PARENT_SCOPE)
endfunction()

# The releases as a Debian changelog of a native package, signed by
# <maintainer> at midnight UTC of each release's date.
function(trellwick_debian_changelog package maintainer out_var)
    set(days Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    # The offsets of Sakamoto's day-of-week rule, January to December.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    set(text "")
    foreach(release IN LISTS TRELLWICK_RELEASES)
        string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" date
               "${TRELLWICK_RELEASE_${release}_DATE}")
        set(year ${CMAKE_MATCH_1})
        set(month ${CMAKE_MATCH_2})
        set(day ${CMAKE_MATCH_3})
        math(EXPR month_index "${month} - 1")
        list(GET offsets ${month_index} offset)
        set(y ${year})
        if(month LESS 3)
            math(EXPR y "${y} - 1")
        endif()
        math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
        list(GET days ${weekday} day_name)
        list(GET months ${month_index} month_name)
        if(day LESS 10)
            set(day 0${day})
        endif()

        string(APPEND text "${package} (${release}) unstable; urgency=medium\n\n")
        foreach(item IN LISTS TRELLWICK_RELEASE_${release}_ITEMS)
            string(REPLACE "\n" "\n    " item "${item}")
            string(APPEND text "  * ${item}\n")
        endforeach()
        string(APPEND text "\n -- ${maintainer}  "
                           "${day_name}, ${day} ${month_name} ${year} 00:00:00 +0000\n\n")
    endforeach()
    string(REGEX REPLACE "\n\n$" "\n" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()
