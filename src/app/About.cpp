#include "app/About.h"
#include "app/ActionIcons.h"
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace
{

QFont Times(int pixelSize, bool underline = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setUnderline(underline);
    return font;
}

QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                 QPoint at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->adjustSize();
    label->move(at);
    return label;
}

} // namespace

QStringList TAboutBox::Acknowledgements()
{
    return {QStringLiteral("Aux étudiants"), QStringLiteral("Aux enseignants"),
            QStringLiteral("Aux testeurs"), QStringLiteral("À nos familles")};
}

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_picture(ResourcePicture(QStringLiteral(":/about/Scolivet.svg")))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos de Scolivet"));
    setFixedSize(327, 179);

    AddLabel(this, "Remerciements", QStringLiteral("Remerciements"), Times(16, true), {208, 0});
    const QStringList lines = Acknowledgements();
    for (int i = 0; i < lines.size(); ++i) {
        const QByteArray name = "Merci" + QByteArray::number(i + 1);
        AddLabel(this, name.constData(), lines[i], Times(13), {232, 24 + 16 * i});
    }

    QLabel *product =
        AddLabel(this, "ProductName", QStringLiteral("Scolivet"), Times(19), {0, 136});
    product->setFixedWidth(width());
    product->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(224, 104, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}
