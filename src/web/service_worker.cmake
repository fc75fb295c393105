# Writes the page's service worker: the list of the page's files and a release name made of
# their content, so that each release's files are kept apart.
# Usage: cmake -DPAGE=FOLDER -DTEMPLATE=sw.js.in -P service_worker.cmake
set(files index.html vexal.js vexal.wasm vexal.ico manifest.webmanifest icon-192.png icon-512.png
  icon-maskable.png)
set(content)
set(PAGE_FILES "'./'")
foreach(file IN LISTS files)
  file(SHA256 ${PAGE}/${file} hash)
  string(APPEND content ${hash})
  if(NOT file STREQUAL "index.html")
    string(APPEND PAGE_FILES ", '${file}'")
  endif()
endforeach()
string(SHA256 RELEASE "${content}")
string(SUBSTRING ${RELEASE} 0 16 RELEASE)
configure_file(${TEMPLATE} ${PAGE}/sw.js @ONLY)
