#include "app/FormatToolBar.h"
#include "app/FontNames.h"
#include "dialogs/ColorSwatch.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <limits>

namespace
{

constexpr int controlHeight = 21;
constexpr int gapWidth = 8;

// Lets the undo and redo keys through to the window's shortcuts, where an
// editable box would take them for its own text.
class WindowUndoKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QSpinBox *MakeSpin(const char *name, int minimum, int maximum, int value, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setFixedWidth(56);
    spin->setKeyboardTracking(false);
    return spin;
}

} // namespace

TFormatToolBar::TFormatToolBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("TBAspect"));
    setMovable(false);
    setFloatable(false);
    setFixedHeight(Height);
    layout()->setSpacing(0);
    layout()->setContentsMargins(0, 0, 0, 0);

    AddGap(17);
    AddLabel(QStringLiteral("Couleur : "));
    PColor = new TColorSwatch(this);
    PColor->setObjectName(QStringLiteral("PColor"));
    PColor->setFixedSize(68, controlHeight);
    addWidget(PColor);

    AddGap(gapWidth);
    AddLabel(QStringLiteral("Epaisseur : "));
    SEEpais = MakeSpin("SEEpais", 0, 30, 4, this);
    addWidget(SEEpais);

    AddGap(gapWidth);
    AddLabel(QStringLiteral("Fonte : "));
    CBFontName = new QComboBox(this);
    CBFontName->setObjectName(QStringLiteral("CBFontName"));
    CBFontName->setEditable(true);
    CBFontName->setInsertPolicy(QComboBox::NoInsert);
    CBFontName->setFixedWidth(136);
    CBFontName->addItems(FontFamilyNames(QFontDatabase::families()));
    CBFontName->setCurrentIndex(-1);
    // The box keeps its width; its list opens as wide as the longest name.
    QAbstractItemView *list = CBFontName->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width());
    addWidget(CBFontName);

    AddLabel(QStringLiteral("Taille : "));
    SEFontSize = MakeSpin("SEFontSize", std::numeric_limits<int>::min(),
                          std::numeric_limits<int>::max(), 0, this);
    addWidget(SEFontSize);

    auto *undoKeys = new WindowUndoKeys(this);
    for (QWidget *box : std::initializer_list<QWidget *>{SEEpais, CBFontName, SEFontSize}) {
        box->installEventFilter(undoKeys);
        for (QLineEdit *edit : box->findChildren<QLineEdit *>())
            edit->installEventFilter(undoKeys);
    }
}

void TFormatToolBar::AddGap(int width)
{
    auto *gap = new QWidget(this);
    gap->setFixedSize(width, controlHeight);
    addWidget(gap);
}

void TFormatToolBar::AddLabel(const QString &text)
{
    addWidget(new QLabel(text, this));
}
