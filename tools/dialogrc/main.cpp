// frost_dialogrc: writes the Windows dialog templates from the dialog tables.
//   frost_dialogrc <output .rc> <table>...
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "resource_dialogs.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <output .rc> <table>...\n", argv[0]);
    return 2;
  }
  std::string script =
      "// Written by frost_dialogrc from the dialog tables in resources/dialogs/; edit those.\n";
  for (int i = 2; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    frost::DialogTemplateData dialog;
    std::string error;
    if (!in || !frost::ParseDialogTemplate(text.str(), dialog, error)) {
      std::fprintf(stderr, "%s: %s\n", argv[i], in ? error.c_str() : "cannot be read");
      return 1;
    }
    script += "\n";
    script += frost::dialogrc::ResourceDialog(dialog);
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << script;
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
  }
  return 0;
}
