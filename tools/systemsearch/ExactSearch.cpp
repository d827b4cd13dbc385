#include "ExactSearch.h"

#include "systems/CoverInstance.h"
#include "systems/SystemSearch.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

class Exact {
public:
    Exact(int k, Guarantee g, double seconds) : seconds_(seconds), in_(k, g)
    {
        for (const auto& covers : in_.coversOf)
            perRow_ = std::max(perRow_, int(covers.size()));
        count_.assign(in_.subsets.size(), 0);
        banned_.assign(in_.blocks.size(), 0);
        open_ = int(in_.subsets.size());
        clock_.start();
    }

    ExactAnswer run(int rows)
    {
        ExactAnswer answer;
        if (rows >= 1) {
            add(0); // positions 1..6
            chosen_.push_back(0);
            const bool found = dfs(rows - 1);
            answer.outcome = found ? ExactAnswer::Exists : timedOut_ ? ExactAnswer::OutOfTime : ExactAnswer::None;
            if (found)
                for (int b : chosen_)
                    answer.rows.push_back(in_.blocks[std::size_t(b)]);
        } else {
            answer.outcome = ExactAnswer::None;
        }
        answer.nodes = nodes_;
        return answer;
    }

private:
    void add(int b)
    {
        for (int s : in_.coversOf[std::size_t(b)])
            if (count_[std::size_t(s)]++ == 0)
                --open_;
    }
    void remove(int b)
    {
        for (int s : in_.coversOf[std::size_t(b)])
            if (--count_[std::size_t(s)] == 0)
                ++open_;
    }

    bool dfs(int left)
    {
        if (open_ == 0)
            return true;
        if (left == 0 || open_ > left * perRow_)
            return false;
        if ((++nodes_ & 0xFFFF) == 0 && clock_.elapsed() > seconds_ * 1000.0)
            timedOut_ = true;
        if (timedOut_)
            return false;
        // The first open subset must be covered by one of the rows left.
        std::size_t target = 0;
        while (count_[target] != 0)
            ++target;
        std::vector<int> tried;
        bool found = false;
        for (int b : in_.coveredBy[target]) {
            if (banned_[std::size_t(b)])
                continue;
            add(b);
            chosen_.push_back(b);
            found = dfs(left - 1);
            if (found)
                break;
            chosen_.pop_back();
            remove(b);
            // Systems with b below this node were all seen: its siblings need not use it.
            banned_[std::size_t(b)] = 1;
            tried.push_back(b);
            if (timedOut_)
                break;
        }
        for (int b : tried)
            banned_[std::size_t(b)] = 0;
        return found;
    }

    double seconds_;
    QElapsedTimer clock_;
    const CoverInstance in_;
    std::vector<int> count_;
    std::vector<char> banned_;
    std::vector<int> chosen_;
    int perRow_ = 0;
    int open_ = 0;
    std::int64_t nodes_ = 0;
    bool timedOut_ = false;
};

} // namespace

ExactAnswer exactSearch(int k, Guarantee guarantee, int rows, double seconds)
{
    if (k < SystemSearch::kMinNumbers || k > SystemSearch::kMaxNumbers || !guarantee.isValid())
        return {};
    Exact exact(k, guarantee, seconds);
    return exact.run(rows);
}
