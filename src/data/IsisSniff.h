#pragma once
// Telling a simulator graph export from other tables that start with a line
// of quoted names: the export's cells are plain numbers with a decimal point,
// or quoted logic states and bus words, separated by single commas.
#include <string_view>

enum class TIsisLook {
    No,     // the first line is no header of quoted names
    Header, // it is, but a line after it is none of the export's
    Export, // the header and every whole line after it are the export's
};

// How the first bytes of a file look; whole says that they are the whole
// file, so that their last line is not cut.
TIsisLook LookForIsisExport(std::string_view head, bool whole);
