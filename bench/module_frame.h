// One panel frame of the module alone, as the host makes it: for every gauge
// the update notification, each element's callbacks after its variables are
// read, each tooltip argument's callback and each mouse function once. The
// host's services are stubs: a variable lookup is one table read, a key
// event or window toggle a count. The calls are laid out once in a flat
// list; the same list with every callback replaced by an empty function of
// its type is the baseline, so the two differ only in the module's work.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "frame/host_types.h"

class ModuleFrame {
public:
    // Pre-installs every gauge of `linkage` (parameters from `parameters_of`
    // by gauge name, else none) with the stub services in `imports`.
    ModuleFrame(GAUGESLINKAGE& linkage, GAUGESIMPORT& imports, WORD_PTR module_handle,
                const std::vector<std::pair<std::string, std::string>>& parameters_of);
    // Kills every gauge and takes the stub services out again.
    ~ModuleFrame();
    ModuleFrame(const ModuleFrame&) = delete;
    ModuleFrame& operator=(const ModuleFrame&) = delete;

    void run();        // one frame
    void run_empty();  // the same walk, every callback empty
    std::size_t calls() const { return real_.size(); }
    unsigned long key_events() const;

    struct Call {
        void (*thunk)(const Call&);
        void* function;
        void* argument;
    };
    struct TooltipArgument {
        MOUSE_ARG* arg;
        GAUGEHDR* gauge;
    };

private:
    void add(void (*thunk)(const Call&), void* function, void* argument, void* empty_function);

    GAUGESLINKAGE& linkage_;
    GAUGESIMPORT& imports_;
    std::vector<Call> real_, empty_;
    // What the calls point at, kept in place.
    std::deque<std::vector<char>> texts_;  // string elements' buffers
    std::vector<ELEMENT_STRING*> strings_;
    std::deque<MOUSE_CLICK> clicks_;       // one click record per mouse function
    std::deque<TooltipArgument> tooltip_arguments_;
    std::deque<std::string> parameters_;
};
