# SPDX-License-Identifier: MIT
# Writes the site's service worker from its template: the list of every file
# of the site and a cache name made from their contents.
#   cmake -DSITE=DIR -DTEMPLATE=sw.js.in -P service-worker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(digests "")
set(SITE_FILES "'./'")
foreach(file ${files})
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND SITE_FILES ", '${file}'")
endforeach()
string(SHA256 all "${digests}")
string(SUBSTRING ${all} 0 16 SITE_HASH)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
