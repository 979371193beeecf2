#pragma once
// Which reader a file goes to. The first bytes decide; the name's extension
// only settles between formats whose contents look alike. A new format is
// one row of the table in FileKind.cpp (and its reader).
#include <QString>
#include <span>
#include <string_view>

enum class TFileKind { Unknown, Document, IsisExport, SpiceRaw, ScopeCsv, Table };

// How sure a format is, from the first bytes alone, that a file is its own;
// Unlikely: its reader is chosen only when no other format claims the file,
// so that it names what is wrong.
enum class TSniff { No, Unlikely, Maybe, Yes };

struct TFileFormat {
    TFileKind Kind;
    const char *Label;    // shown in the file dialog, without the patterns
    const char *Patterns; // "*.raw;*.bin": the usual names, for the dialog and ties
    TSniff (*Sniff)(std::string_view head);
};

// Every format: the first that says Yes wins; among those that say Maybe,
// the first whose patterns match the name, else the first of them; else the
// first that says Unlikely.
std::span<const TFileFormat> FileFormats();

// How many first bytes the sniffers are given.
constexpr std::size_t SniffBytes = 4096;

TFileKind SniffFileKind(std::string_view head, const QString &fileName);
// The same from the file's first bytes; Unknown when it cannot be read, why
// (when given) then saying why.
TFileKind FileKindOf(const QString &fileName, QString *why = nullptr);

// The open dialog's filter for "Importer un fichier": every importable format
// together first, "Tous les fichiers pris en charge", then each one.
QString ImportFileFilter();
