// Stands in for the party module's companion set-up until it is on main.
#include "party/party.h"
#include "shell/vars.h"

namespace Subs {

int setAlly(std::uint8_t id) {
    Vars::allyName = "Companion " + std::to_string(id);
    Vars::allyMaxHP = Vars::i16(30 + id);
    if (Vars::allyHP == 0 || Vars::allyHP > Vars::allyMaxHP) Vars::allyHP = Vars::allyMaxHP;
    return Vars::allyMaxHP;
}

}  // namespace Subs
