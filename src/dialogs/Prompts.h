#pragma once
// The one seam for every modal interaction: message boxes, the open, save,
// colour and font dialogs, and running property dialogs. The program uses the
// Qt implementation; tests install a scripted one (tests/support) that answers
// and records every message, so no test ever waits on a real modal window.
#include "data/TColor.h"
#include "render/TFont.h"
#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// What a common file dialog is asked for. Filter uses the "Text|*.ext|..."
// form of the window's dialog definitions.
struct TFileDialogOptions {
    QString Title;
    QString Filter;
    QString DefaultExt; // without the dot
    QString FileName;   // preset name, may hold a directory
    bool FileMustExist = false;
    bool OverwritePrompt = false;

    bool operator==(const TFileDialogOptions &) const = default;
};

class Prompts
{
public:
    enum class Icon { None, Information, Warning, Error, Question };

    virtual ~Prompts() = default;

    // A message box with the given buttons; returns the one pressed
    // (the escape button when the box is closed otherwise).
    virtual QMessageBox::StandardButton Message(QWidget *parent, Icon icon, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                const QString &caption) = 0;
    // The chosen path, or an empty string when cancelled.
    virtual QString OpenFileName(QWidget *parent, const TFileDialogOptions &options) = 0;
    virtual QString SaveFileName(QWidget *parent, const TFileDialogOptions &options) = 0;
    // Preset with the value; on acceptance the value is replaced and true returned.
    virtual bool ChooseColor(QWidget *parent, TColor &color) = 0;
    virtual bool ChooseFont(QWidget *parent, TFont &font) = 0;
    // Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int Exec(QDialog &dialog) = 0;
};

// The prompts in use: the Qt ones unless another was installed.
Prompts &prompts();
// Installs p (nullptr puts the Qt prompts back); returns the previous one.
// The caller keeps ownership of p.
Prompts *SetPrompts(Prompts *p);

// Shorthands for the common boxes (caption: the application's name).
void ShowMessage(const QString &text, QWidget *parent = nullptr);
void ShowError(const QString &text, QWidget *parent = nullptr);
QMessageBox::StandardButton AskQuestion(const QString &text, QMessageBox::StandardButtons buttons,
                                        QWidget *parent = nullptr);

// "Graphe Isis (*.dat)|*.dat" -> "Graphe Isis (*.dat)" as Qt's dialogs want it;
// a description without its patterns gets them appended.
QString QtFileFilter(const QString &filter);
