#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace morvane {

// A count of the record by its stored names: the pairing's ("Hard", "People") and the column's
// ("Wins", "Abandoned").
struct CountName {
    QString pairing;
    QString column;

    bool operator==(const CountName&) const = default;
};

// The games the record counted lately, by id, each with the count it moved, as the store keeps
// them: "id:pairing:column" words parted by spaces, the latest last. Only the latest
// kMostRecordedGames are kept; a game older than those would count again, which a kept or saved
// game that old is not expected to need. Words that are not of that form are passed over.
class RecordedGames {
public:
    static constexpr int kMostRecordedGames = 200;

    explicit RecordedGames(const QString& stored);

    // The count the game moved, if it is one of these.
    std::optional<CountName> CountOf(const QString& gameId) const;
    // Notes the count the game moved now, as the latest.
    void Set(const QString& gameId, const CountName& count);
    // As the store keeps it.
    QString Text() const { return words_.join(QLatin1Char(' ')); }

private:
    QStringList words_;
};

}  // namespace morvane
