#pragma once
// The open and save dialogs as the Qt prompts run them: the options of the
// window's dialog definitions, every word in French (sizes and dates in the
// program's locale, not the system's), the columns wide enough to read.
#include <QFileDialog>

struct TFileDialogOptions;

void SetUpFileDialog(QFileDialog &dialog, const TFileDialogOptions &options,
                     QFileDialog::AcceptMode mode);
