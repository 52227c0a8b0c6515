#include "masterdata/SuggestionBoxes.h"

#include "masterdata/Dictionaries.h"
#include "masterdata/MasterDataDialogs.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace kesvar::gui::SuggestionBoxes {

QComboBox *create(QWidget *parent, int maxLength)
{
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(maxLength);
    // Offer matching entries in a list instead of completing the text in place, so "Q235" stays
    // "Q235" when an entry "Q235B" exists.
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    return box;
}

void fill(QWidget *parent, Database &db, const QList<Binding> &boxes)
{
    QList<QStringList> entries;
    if (!MasterDataDialogs::attempt(parent, [&] {
            Dictionaries dictionaries(db);
            for (const Binding &binding : boxes)
                entries << dictionaries.names(binding.typeCode);
        }))
        return;
    for (int i = 0; i < boxes.size(); ++i) {
        boxes.at(i).box->clear();
        boxes.at(i).box->addItems(entries.at(i));
        boxes.at(i).box->setEditText(QString());
    }
}

} // namespace kesvar::gui::SuggestionBoxes
