// Writes the command catalogue's summaries and option help as a C++ file of
// QT_TRANSLATE_NOOP entries, so that lupdate finds the texts the command dialog translates; the
// catalogue itself is rule code without Qt. Run by the update_translations target.
#include <cstdio>
#include <set>
#include <string>

#include "commands/catalogue.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

int main() {
    std::set<std::string> texts;
    for (const pendara::CommandEntry& entry : pendara::Catalogue()) {
        texts.insert(entry.summary);
        for (const pendara::OptionSpec& option : entry.options) texts.insert(option.help);
    }
    std::puts("// Made by catalogue_texts for lupdate; not compiled.");
    for (const std::string& text : texts) {
        if (!text.empty())
            std::printf("QT_TRANSLATE_NOOP(\"pendara::Catalogue\", %s)\n", Quoted(text).c_str());
    }
    return 0;
}
