#pragma once

#include <QList>
#include <functional>
#include <optional>

#include "match/model/battle.h"

namespace morvane::testing {

// Stands in for the battle window: thinks for the battle, records what the battle asked and
// counted, and answers its questions at once through replaceable callbacks.
class FakeBattleHost : public BattleThinker {
public:
    // The entry and the area select change the state they are given; the battle is answered
    // with what they leave there.
    std::function<void()> onEntry;
    std::function<void()> onArea;
    std::function<ResultChoice(const GameResult&)> onResult;
    std::function<std::optional<int>()> onComputer;
    std::function<std::optional<Hint>()> onHint;

    int entries = 0;
    int areas = 0;
    int computerCalls = 0;
    int hintCalls = 0;
    QList<GameResult> results;
    QList<GameEnd> recorded;
    int abandoned = 0;
    // The ids the games were counted under, in order.
    QStringList recordedIds;
    QStringList abandonedIds;

    // A battle over the state that this host thinks for and answers.
    Battle& Open(std::optional<Battle>& battle, AppState& state) {
        battle.emplace(state, *this, [](const QString& row) { return row.size() <= 20; });
        Battle& opened = *battle;
        QObject::connect(&opened, &Battle::playersAsked, [this, &opened, &state] {
            ++entries;
            if (onEntry) {
                onEntry();
            }
            opened.AnswerPlayers(state.players, state.computerLevel);
        });
        QObject::connect(&opened, &Battle::areaAsked, [this, &opened, &state] {
            ++areas;
            if (onArea) {
                onArea();
            }
            opened.AnswerArea(state.board);
        });
        QObject::connect(&opened, &Battle::resultAsked, [this, &opened](const GameResult& result) {
            results << result;
            opened.AnswerResult(onResult ? onResult(result) : ResultChoice::Quit);
        });
        QObject::connect(&opened, &Battle::gameCounted, [this](GameEnd end, const QString& id) {
            recorded << end;
            recordedIds << id;
        });
        QObject::connect(&opened, &Battle::gameAbandoned, [this](const QString& id) {
            ++abandoned;
            abandonedIds << id;
        });
        return opened;
    }

    std::optional<int> ComputerMove(const Board&, Turn, ComputerLevel, TerrainOption) override {
        ++computerCalls;
        return onComputer ? onComputer() : std::nullopt;
    }
    std::optional<Hint> FindHint(const Board&, Turn) override {
        ++hintCalls;
        return onHint ? onHint() : std::nullopt;
    }
};

}  // namespace morvane::testing
