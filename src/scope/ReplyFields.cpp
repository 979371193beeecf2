#include "scope/ReplyFields.h"
#include "data/DecimalText.h"
#include "data/EConvertError.h"
#include "data/TChannelData.h"

namespace
{

[[noreturn]] void BadField(const EConvertError &e)
{
    throw ETDSError(QStringLiteral("Réponse de l'oscilloscope incorrecte : ") + e.Message());
}

// The text before the first ';'; the rest keeps what follows it.
QString NextField(QString &rest)
{
    const qsizetype at = rest.indexOf(QLatin1Char(';'));
    QString field = at < 0 ? rest : rest.left(at);
    rest = at < 0 ? QString() : rest.mid(at + 1);
    return field;
}

double ReplyReal(const QString &text)
{
    double v = 0.0;
    if (!ParseDecimal(text.toStdString(), v))
        BadField(EConvertError::InvalidFloat(text));
    return v;
}

// Without its first and last characters (the quotes).
QString Unquoted(const QString &field)
{
    return field.size() < 2 ? QString() : field.mid(1, field.size() - 2);
}

std::int32_t PointCount(const QString &field)
{
    const int n = ReplyInteger(field);
    if (n < 0 || n > TChannelData::MaxPoints)
        throw ETDSError(QStringLiteral("L'oscilloscope annonce %1 points par courbe ; "
                                       "%2 au plus sont acceptés.")
                            .arg(n)
                            .arg(TChannelData::MaxPoints));
    return n;
}

} // namespace

int ReplyInteger(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (!ok)
        BadField(EConvertError::InvalidInteger(text));
    return n;
}

bool ParseIdentity(const QString &reply, TIdentity &identity)
{
    const qsizetype tek = reply.indexOf(QLatin1String("TEK/"));
    if (tek < 0)
        return false;
    const qsizetype comma = reply.indexOf(QLatin1Char(','), tek);
    identity.Model = reply.mid(tek + 4, comma < 0 ? -1 : comma - tek - 4);
    const qsizetype fv = reply.indexOf(QLatin1String("FV:v"));
    identity.HasFirmware = fv >= 0;
    if (identity.HasFirmware) {
        qsizetype end = fv + 4;
        while (end < reply.size() && (reply[end].isDigit() || reply[end] == QLatin1Char('.')))
            ++end;
        identity.Firmware = ReplyReal(reply.mid(fv + 4, end - fv - 4));
    }
    return true;
}

bool ReadPreamble(QString reply, double firmware, TChannelData &r, TChannelData &timeBase)
{
    r.BytNr = ReplyInteger(NextField(reply));
    r.BitNr = ReplyInteger(NextField(reply));
    r.Encdg = NextField(reply);
    r.BnFmt = NextField(reply);
    r.BytOr = NextField(reply);
    if (firmware < 2.0)
        r.NrPt = PointCount(NextField(reply));
    r.Present = !reply.isEmpty();
    if (!r.Present)
        return false;
    if (firmware >= 2.0)
        r.NrPt = PointCount(NextField(reply));
    timeBase.Present = true;
    timeBase.NrPt = r.NrPt;
    r.WfId = Unquoted(NextField(reply));
    r.PtFmt = NextField(reply);
    timeBase.XIncr = r.XIncr = ReplyReal(NextField(reply));
    timeBase.PtOff = r.PtOff = ReplyInteger(NextField(reply));
    timeBase.XZero = r.XZero = ReplyReal(NextField(reply));
    timeBase.XUnit = r.XUnit = Unquoted(NextField(reply));
    r.YMult = ReplyReal(NextField(reply));
    if (r.YMult == 0.0)
        r.YMult = 1.0;
    r.YZero = ReplyReal(NextField(reply));
    r.YOff = ReplyReal(NextField(reply));
    r.YUnit = Unquoted(NextField(reply));
    if (r.YUnit == QLatin1String("U"))
        r.YUnit = QStringLiteral("Undefine");
    return true;
}
