#include "socketoperator.h"

#include "simulatedmodule.h"

SocketOperator::SocketOperator(Tray tray, int emptyJobs) : tray(std::move(tray)), emptyJobs(emptyJobs)
{
}

SocketOperator::SocketOperator(std::vector<std::shared_ptr<SimulatedModule>> modules, int emptyJobs)
    : SocketOperator(
          [modules = std::move(modules), next = std::size_t{0}]() mutable {
              return next < modules.size() ? modules[next++] : nullptr;
          },
          emptyJobs)
{
}

void SocketOperator::addPlug(Plug plug)
{
    std::shared_ptr<SimulatedModule> module;
    {
        std::lock_guard<std::mutex> lock(mutex);
        plugs.push_back(plug);
        module = current;
    }
    plug(module);
}

void SocketOperator::jobStarting()
{
    std::shared_ptr<SimulatedModule> change;
    bool changed = false;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!current) {
            if (++emptyJobsSeen < emptyJobs)
                return;
            current = tray();
            if (!current)
                return;
            emptyJobsSeen = 0;
            ++pluggedCount;
            exchangesAtPlug = exchangesAtLastJob = current->exchanges();
            change = current;
            changed = true;
        } else {
            const int exchanges = current->exchanges();
            // Talked to, and then the last job only looked for it: done with.
            if (exchanges > exchangesAtPlug && exchanges == exchangesAtLastJob) {
                current = nullptr;
                emptyJobsSeen = 1;  // this job finds the socket empty
                changed = true;
            }
            exchangesAtLastJob = exchanges;
        }
    }
    if (changed)
        plugEverywhere(change);
}

void SocketOperator::pull()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!current)
            return;
        current = nullptr;
        emptyJobsSeen = 0;
    }
    plugEverywhere(nullptr);
}

std::shared_ptr<SimulatedModule> SocketOperator::inSocket() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return current;
}

int SocketOperator::plugged() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return pluggedCount;
}

void SocketOperator::plugEverywhere(const std::shared_ptr<SimulatedModule> &module)
{
    std::vector<Plug> targets;
    {
        std::lock_guard<std::mutex> lock(mutex);
        targets = plugs;
    }
    for (const Plug &plug : targets)
        plug(module);
}
