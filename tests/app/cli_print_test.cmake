# Printing an item to a PDF file from the command line, on a fresh home
# folder with the demo library, read back with pdftotext.
include(${CMAKE_CURRENT_LIST_DIR}/cli_common.cmake)

find_program(PDFTOTEXT pdftotext REQUIRED)
find_program(SQLITE3 sqlite3 REQUIRED)

function(pdf_text pdf var)
  execute_process(COMMAND ${PDFTOTEXT} -layout ${pdf} - RESULT_VARIABLE rc OUTPUT_VARIABLE text)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext ${pdf}: exit ${rc}")
  endif()
  set(${var} "${text}" PARENT_SCOPE)
endfunction()
function(expect_in text what)
  string(FIND "${text}" "${what}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the PDF's text lacks \"${what}\":\n${text}")
  endif()
endfunction()
function(expect_not_in text what)
  string(FIND "${text}" "${what}" at)
  if(at GREATER_EQUAL 0)
    message(FATAL_ERROR "the PDF's text holds \"${what}\":\n${text}")
  endif()
endfunction()

# Bad arguments: the usage and exit 2.
run(2 --print-item)
run(2 --print-item 10)
run(2 --print-item x --pdf ${WORK}/x.pdf)
run(2 --print-item 10 --transpose 13 --pdf ${WORK}/x.pdf)
run(2 --print-item 10 --transpose --pdf ${WORK}/x.pdf)
run(2 --print-item 10 --flats --sharps --pdf ${WORK}/x.pdf)
run(2 --print-item 10 --pdf ${WORK}/x.pdf --colour)
string(FIND "${last_err}" "--print-item ITEM_ID" at)
if(at LESS 0)
  message(FATAL_ERROR "no usage: ${last_err}")
endif()

# The demo's "Amazing Grace (G)" (item 10): two up, with flats.
run(0 --print-item 10 --transpose 2 --flats --pdf ${WORK}/grace.pdf)
pdf_text(${WORK}/grace.pdf text)
expect_in("${text}" "mazing")
expect_in("${text}" "Intro: A E/Ab")
expect_not_in("${text}" "Amazing Grace - G")  # headings are not printed
# Its own key, in black and white: the chords as written.
run(0 --print-item 10 --bw --pdf ${WORK}/own.pdf)
pdf_text(${WORK}/own.pdf text)
expect_in("${text}" "Intro: G D/F#")

# Failures: an unknown item, a file that cannot be written.
run(1 --print-item 99999 --pdf ${WORK}/none.pdf)
expect_in("${last_err}" "no item has the ID 99999")
run(1 --print-item 10 --pdf ${WORK}/no-such-folder/x.pdf)
expect_in("${last_err}" "cannot write")

# A chord chart of screens of 10, 10 and 5 lines: 21 lines a page, so the
# third screen starts page 2.
set(crlf "char(13)||char(10)")
set(text "'a1'")
foreach(i RANGE 2 10)
  string(APPEND text "||${crlf}||'a${i}'")
endforeach()
string(APPEND text "||${crlf}||'&'")
foreach(i RANGE 1 10)
  string(APPEND text "||${crlf}||'b${i}'")
endforeach()
string(APPEND text "||${crlf}||'&'")
foreach(i RANGE 1 5)
  string(APPEND text "||${crlf}||'c${i}'")
endforeach()
execute_process(COMMAND ${SQLITE3} ${WORK}/share/versilux/versilux.db
  "INSERT INTO items (ID, Title, Field1, Type, Subtype, VPD) VALUES (500, 'Paged', ${text}, 7, 3, 1)"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "sqlite3: exit ${rc}")
endif()
run(0 --print-item 500 --pdf ${WORK}/paged.pdf)
pdf_text(${WORK}/paged.pdf text)
string(ASCII 12 form_feed)
string(FIND "${text}" "${form_feed}" first_break)
string(FIND "${text}" "b10" b10)
string(FIND "${text}" "c1" c1)
if(first_break LESS 0 OR b10 GREATER first_break OR c1 LESS first_break)
  message(FATAL_ERROR "page break not before the third screen:\n${text}")
endif()
