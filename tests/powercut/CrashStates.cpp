#include "CrashStates.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <utility>

namespace powercut {

namespace {

using Key = std::pair<NodeId, std::string>; // a name in a folder

std::vector<Key> NamesTouched(const Change& change) {
    std::vector<Key> keys{{change.folder, change.name}};
    if (change.kind == Change::Kind::Rename)
        keys.emplace_back(change.folder2, change.name2);
    return keys;
}

// How much of one file's unsynced changes of data a state keeps: the first `kept` whole, and the
// next one torn as `tear` says.
struct DataKept {
    std::size_t kept = 0;
    Tear tear = Tear::None;
};

struct Plan {
    std::set<std::size_t> namesKept;     // changes of names that stay for certain
    std::vector<std::size_t> namesMaybe; // those that may be lost
    std::map<std::size_t, std::set<std::size_t>>
        needs;                              // a change of names -> earlier ones it needs
    std::map<NodeId, std::size_t> lastSync; // of each file, before the cut
    std::map<NodeId, std::vector<std::size_t>> dataMaybe; // unsynced changes of data, per file
    std::map<NodeId, std::vector<DataKept>> dataChoices;  // what a state may keep of them
};

Plan MakePlan(const std::vector<Change>& changes, std::size_t cut) {
    Plan plan;
    const auto folderSyncedAfter = [&](NodeId folder, std::size_t i) {
        for (std::size_t j = i + 1; j < cut; ++j) {
            if (changes[j].kind == Change::Kind::SyncFolder && changes[j].folder == folder)
                return true;
        }
        return false;
    };
    std::vector<std::size_t> nameChanges;
    for (std::size_t i = 0; i < cut; ++i) {
        const Change& change = changes[i];
        if (change.kind == Change::Kind::SyncFile)
            plan.lastSync[change.node] = i;
        if (!change.changesNames())
            continue;
        for (const std::size_t earlier : nameChanges) {
            const Change& before = changes[earlier];
            bool needed = before.kind == Change::Kind::Make && change.node != 0 &&
                          before.node == change.node && change.kind == Change::Kind::HardLink;
            for (const Key& key : NamesTouched(change)) {
                for (const Key& other : NamesTouched(before))
                    needed = needed || key == other;
            }
            if (needed)
                plan.needs[i].insert(earlier);
        }
        nameChanges.push_back(i);
        const bool stays =
            folderSyncedAfter(change.folder, i) &&
            (change.kind != Change::Kind::Rename || change.folder2 == change.folder ||
             folderSyncedAfter(change.folder2, i));
        if (stays)
            plan.namesKept.insert(i);
    }
    // What stays keeps what it needs.
    for (bool grew = true; grew;) {
        grew = false;
        for (const std::size_t i : std::set<std::size_t>(plan.namesKept)) {
            for (const std::size_t needed : plan.needs[i])
                grew = plan.namesKept.insert(needed).second || grew;
        }
    }
    for (const std::size_t i : nameChanges) {
        if (!plan.namesKept.contains(i))
            plan.namesMaybe.push_back(i);
    }

    for (std::size_t i = 0; i < cut; ++i) {
        const Change& change = changes[i];
        if (!change.changesData())
            continue;
        const auto synced = plan.lastSync.find(change.node);
        if (synced == plan.lastSync.end() || synced->second < i)
            plan.dataMaybe[change.node].push_back(i);
    }
    for (const auto& [node, maybe] : plan.dataMaybe) {
        std::vector<DataKept>& choices = plan.dataChoices[node];
        for (std::size_t kept = 0; kept <= maybe.size(); ++kept) {
            choices.push_back({kept, Tear::None});
            if (kept < maybe.size() && changes[maybe[kept]].kind == Change::Kind::Write &&
                changes[maybe[kept]].bytes.size() > 1) {
                choices.push_back({kept, Tear::FirstHalf});
                choices.push_back({kept, Tear::ZerosInSecondHalf});
            }
        }
    }
    return plan;
}

// The sets of maybe-lost changes of names that a state can keep: closed under what each needs.
std::vector<std::set<std::size_t>> NameChoices(const Plan& plan, std::size_t limit) {
    const std::vector<std::size_t>& maybe = plan.namesMaybe;
    std::vector<std::set<std::size_t>> choices;
    const auto closed = [&](const std::set<std::size_t>& kept) {
        for (const std::size_t i : kept) {
            const auto needs = plan.needs.find(i);
            if (needs == plan.needs.end())
                continue;
            for (const std::size_t needed : needs->second) {
                if (!kept.contains(needed) && !plan.namesKept.contains(needed))
                    return false;
            }
        }
        return true;
    };
    const auto fromBits = [&](unsigned long long bits) {
        std::set<std::size_t> kept;
        for (std::size_t b = 0; b < maybe.size(); ++b) {
            if (bits >> b & 1)
                kept.insert(maybe[b]);
        }
        return kept;
    };
    if (maybe.size() <= 16) {
        for (unsigned long long bits = 0; bits < (1ULL << maybe.size()); ++bits) {
            std::set<std::size_t> kept = fromBits(bits);
            if (closed(kept))
                choices.push_back(std::move(kept));
        }
        return choices;
    }
    // Too many to try: every prefix in the order of making (each is closed), and every single
    // change lost from the whole.
    for (std::size_t n = 0; n <= maybe.size() && choices.size() < limit; ++n)
        choices.emplace_back(maybe.begin(), maybe.begin() + static_cast<std::ptrdiff_t>(n));
    for (const std::size_t lost : maybe) {
        std::set<std::size_t> kept(maybe.begin(), maybe.end());
        kept.erase(lost);
        if (closed(kept))
            choices.push_back(std::move(kept));
    }
    return choices;
}

} // namespace

std::size_t ForEachStateAfterCut(const FileTree& synced, const std::vector<Change>& changes,
                                 std::size_t cut, std::size_t limit,
                                 const std::function<void(CrashState&)>& check) {
    const Plan plan = MakePlan(changes, cut);
    const std::vector<std::set<std::size_t>> nameChoices = NameChoices(plan, limit);

    // Every combination is a number in mixed radix: the choice of names, then one digit a file.
    std::vector<std::pair<NodeId, const std::vector<DataKept>*>> files;
    std::size_t total = nameChoices.size();
    for (const auto& [node, choices] : plan.dataChoices) {
        files.emplace_back(node, &choices);
        total = total > SIZE_MAX / choices.size() ? SIZE_MAX : total * choices.size();
    }
    std::vector<std::size_t> picked;
    if (total <= limit) {
        for (std::size_t n = 0; n < total; ++n)
            picked.push_back(n);
    } else {
        for (std::size_t n = 0; n < limit; ++n)
            picked.push_back(n + 1 == limit
                                 ? total - 1
                                 : static_cast<std::size_t>(static_cast<double>(n) *
                                                            static_cast<double>(total - 1) /
                                                            static_cast<double>(limit - 1)));
    }

    for (std::size_t number : picked) {
        std::map<NodeId, DataKept> dataKept;
        for (auto file = files.rbegin(); file != files.rend(); ++file) {
            dataKept[file->first] = (*file->second)[number % file->second->size()];
            number /= file->second->size();
        }
        const std::set<std::size_t>& namesChosen = nameChoices[number % nameChoices.size()];

        CrashState state{synced, {}};
        std::map<NodeId, std::size_t> dataSeen;
        std::string lost;
        for (std::size_t i = 0; i < cut; ++i) {
            const Change& change = changes[i];
            if (change.kind == Change::Kind::Make)
                state.tree.nodes.try_emplace(change.node, change.made); // the node, named or not
            if (change.changesNames()) {
                if (plan.namesKept.contains(i) || namesChosen.contains(i))
                    Apply(state.tree, change);
                else
                    lost += " #" + std::to_string(i + 1);
            } else if (change.changesData()) {
                const auto maybe = plan.dataMaybe.find(change.node);
                const auto& unsynced =
                    maybe == plan.dataMaybe.end() ? std::vector<std::size_t>{} : maybe->second;
                if (std::find(unsynced.begin(), unsynced.end(), i) == unsynced.end()) {
                    Apply(state.tree, change);
                    continue;
                }
                const std::size_t position = dataSeen[change.node]++;
                const DataKept& kept = dataKept[change.node];
                if (position < kept.kept) {
                    Apply(state.tree, change);
                } else if (position == kept.kept && kept.tear != Tear::None) {
                    ApplyTorn(state.tree, change, kept.tear);
                    lost += " #" + std::to_string(i + 1) +
                            (kept.tear == Tear::FirstHalf ? " (half)" : " (zeros)");
                } else {
                    lost += " #" + std::to_string(i + 1);
                }
            }
        }
        state.description = lost.empty() ? "keeps every change" : "loses" + lost;
        check(state);
    }
    return total;
}

} // namespace powercut
