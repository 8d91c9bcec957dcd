#pragma once

#include <QList>
#include <functional>
#include <optional>

#include "match/model/battle.h"

namespace morvane::testing {

// Stands in for the battle window: records what the battle asked for and answers through
// replaceable callbacks.
class FakeBattleHost : public BattleHost {
public:
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

    void EnterPlayers() override {
        ++entries;
        if (onEntry) {
            onEntry();
        }
    }
    void SelectArea() override {
        ++areas;
        if (onArea) {
            onArea();
        }
    }
    ResultChoice ShowResult(const GameResult& result) override {
        results << result;
        return onResult ? onResult(result) : ResultChoice::Quit;
    }
    void RecordGame(GameEnd end, const QString& gameId) override {
        recorded << end;
        recordedIds << gameId;
    }
    void RecordAbandoned(const QString& gameId) override {
        ++abandoned;
        abandonedIds << gameId;
    }
    std::optional<int> ComputerMove() override {
        ++computerCalls;
        return onComputer ? onComputer() : std::nullopt;
    }
    std::optional<Hint> FindHint() override {
        ++hintCalls;
        return onHint ? onHint() : std::nullopt;
    }
    // A row of twenty characters.
    bool InfoRowFits(const QString& row) const override { return row.size() <= 20; }
};

}  // namespace morvane::testing
