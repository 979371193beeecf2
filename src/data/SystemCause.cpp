#include "data/SystemCause.h"
#include <cerrno>

QString SystemCause(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota du disque est atteint");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le fichier ou son dossier n'existe pas");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    case EIO:
        return QStringLiteral("erreur d'entrée-sortie sur le disque");
    case EISDIR:
        return QStringLiteral("c'est un dossier");
    default:
        return {};
    }
}
