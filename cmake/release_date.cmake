# The release's date (URAGAE_RELEASE_DATE, YYYY-MM-DD) in the forms the packaging needs, computed
# here rather than by `date` so that the result cannot depend on the builder's clock, zone or locale:
#   URAGAE_RELEASE_EPOCH           its midnight UTC in seconds since 1970 (SOURCE_DATE_EPOCH's form)
#   URAGAE_RELEASE_CHANGELOG_DATE  the same moment as a Debian changelog writes it (RFC 5322)
function(uragae_release_date date)
    if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([0-1][0-9])-([0-3][0-9])$")
        message(FATAL_ERROR "URAGAE_RELEASE_DATE is '${date}', not YYYY-MM-DD")
    endif()
    set(year ${CMAKE_MATCH_1})
    set(day_text ${CMAKE_MATCH_3})
    math(EXPR month "1${CMAKE_MATCH_2} - 100")  # "06" without its leading zero
    math(EXPR day "1${CMAKE_MATCH_3} - 100")

    # Days since 1970-01-01 in the Gregorian calendar, counting years from March so that the leap
    # day falls at the end of a year.
    if(month LESS_EQUAL 2)
        math(EXPR y "${year} - 1")
        math(EXPR m "${month} + 9")
    else()
        set(y ${year})
        math(EXPR m "${month} - 3")
    endif()
    math(EXPR days "${y} * 365 + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * ${m} + 2) / 5 + ${day} - 1 - 719468")
    math(EXPR epoch "${days} * 86400")

    math(EXPR weekday "(${days} + 4) % 7")  # 1970-01-01 was a Thursday
    set(names Sun Mon Tue Wed Thu Fri Sat)
    list(GET names ${weekday} weekday_name)
    math(EXPR month_index "${month} - 1")
    set(names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET names ${month_index} month_name)

    set(URAGAE_RELEASE_EPOCH ${epoch} PARENT_SCOPE)
    set(URAGAE_RELEASE_CHANGELOG_DATE "${weekday_name}, ${day_text} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()
uragae_release_date("${URAGAE_RELEASE_DATE}")
