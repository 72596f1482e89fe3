# Writes the service worker: the site's files, and a version made from
# their contents. cmake -DSITE=... -DTEMPLATE=... -DFILES="a;b" -P serviceworker.cmake
# The page itself is listed as the site's address, './', and hashed too.
file(SHA256 ${SITE}/index.html hashes)
set(listed "'./'")
foreach(file ${FILES})
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${file} ${hash}\n")
    string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${TEMPLATE} worker)
string(REPLACE "{{Version}}" "${version}" worker "${worker}")
string(REPLACE "/* {{Files}} */ []" "[${listed}]" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
