// Putting the component from the stick into the system folder: only a copy that passes the
// component rules (start/core/ComponentRules.h), and never over anything already there.
#pragma once

#include "start/core/ComponentRules.h"

#include <string>

namespace corvane::start {

enum class ComponentPlace {
    Present,  // the component file is there: nothing to do
    Absent,   // nothing of that name: it may be installed
    Blocked,  // a folder of that name, or the test failed otherwise: leave it alone
};

// Looks at the component's place in the system folder.
ComponentPlace ProbeComponentFile(const std::string& componentFile);

// The facts about a file the rules judge: what it is, its headers and its signature.
ComponentFacts GatherComponentFacts(const std::string& path);

// The machine type this program was built for.
std::uint16_t OwnMachine() noexcept;

enum class InstallOutcome { Installed, NotCopied, Refused, NotPlaced };

// Copies `source` under a temporary name into `systemFolder`, judges the copy (the bytes that would
// be installed, which the stick can no longer change), and moves it to `destination` only when
// nothing has appeared there meanwhile. Every outcome but Installed leaves the system folder as
// it was.
InstallOutcome InstallComponent(const std::string& source, const std::string& destination,
                                const std::string& systemFolder);

}  // namespace corvane::start
