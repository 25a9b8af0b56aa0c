# Writes the compiled catalogues into a C++ source, so that the game carries
# its translations inside the program and needs no installed locale.
# Run as: cmake -DENGLISH=en.mo -DOUTPUT=catalogues.cpp -P embed_catalogue.cmake
file(READ ${ENGLISH} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUTPUT}.new "// Made by the build from po/en.po; not to be edited.
#include \"platform/catalogue.h\"

namespace {
const unsigned char kEnglish[] = {${bytes}};
} // namespace

std::string_view CompiledCatalogue(Language language)
{
    if (language == Language::English)
        return {reinterpret_cast<const char*>(kEnglish), sizeof kEnglish};
    return {};
}
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
