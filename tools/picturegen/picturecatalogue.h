#pragma once

#include <vector>

#include <QImage>
#include <QString>

struct NamedPicture {
    QString name;
    QImage image;  // indexed on the sixteen-colour palette
};

// Every picture the program carries, drawn afresh.
namespace PictureCatalogue {
std::vector<NamedPicture> All();
// The 52 faces in four rows (spades, hearts, diamonds, clubs; Ace to King),
// then the joker and the twelve backs, laid on a green table.
QImage CardSheet();
}  // namespace PictureCatalogue
