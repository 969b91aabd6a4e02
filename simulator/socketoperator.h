#pragma once
// A scripted socket, for series programming without hardware: an imagined
// operator plugs modules from a tray into the socket one after another and
// pulls each once the tool is done with it.
//
// The operator acts only when a programmer is opened, which the worker does
// for every job, so that a module never comes or goes in the middle of one
// (a test that wants that calls pull() from a bus hook):
//   - an empty socket gets the next module at the `emptyJobs`-th job that
//     finds it empty, so that the tool sees "no module" for a while first;
//   - a module the tool has read or written is pulled at the first job after
//     one that only looked for it, as the tool does while it waits for the
//     module to go.
// Every programmer that shares the socket (VEXASIM1 and VEXASIM2) calls
// jobStarting() from its open hook and is given each module through its plug.

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class SimulatedModule;

class SocketOperator
{
public:
    // The next module from the tray; null when the tray is empty.
    using Tray = std::function<std::shared_ptr<SimulatedModule>()>;
    // Puts a module into a programmer's socket, or empties it with null.
    using Plug = std::function<void(std::shared_ptr<SimulatedModule>)>;

    // A module pulled between two jobs is noticed by the next, which fails,
    // and a look into the socket after it: only the third job may find a
    // module again without taking it for the one pulled.
    static constexpr int kDefaultEmptyJobs = 3;

    explicit SocketOperator(Tray tray, int emptyJobs = kDefaultEmptyJobs);
    // The modules in this order; the same module may come more than once.
    explicit SocketOperator(std::vector<std::shared_ptr<SimulatedModule>> modules,
                            int emptyJobs = kDefaultEmptyJobs);

    // A programmer whose socket the operator tends; it is emptied at once.
    void addPlug(Plug plug);
    // A programmer is being opened: the moment the operator acts.
    void jobStarting();
    // Takes the module out now, wherever the tool is.
    void pull();

    std::shared_ptr<SimulatedModule> inSocket() const;
    // Modules plugged in so far.
    int plugged() const;

private:
    void plugEverywhere(const std::shared_ptr<SimulatedModule> &module);

    mutable std::mutex mutex;
    Tray tray;
    const int emptyJobs;
    std::vector<Plug> plugs;
    std::shared_ptr<SimulatedModule> current;
    int emptyJobsSeen = 0;
    int pluggedCount = 0;
    // The module's exchanges when it was plugged, and at the last job's start.
    int exchangesAtPlug = 0;
    int exchangesAtLastJob = 0;
};
