#include "game/Messages.h"

namespace game {

std::string winMessage(const std::string& secret) {
    return "Congratulation !!! You Win.\r\nYou have a pretty good logical thinking\r\n" + secret +
           " is the Correct Number";
}

std::string lossMessage(const std::string& secret) {
    return "The misterious digits are " + secret +
           ".\r\nYou still can prove your mind later.\r\nGAME OVER !!!";
}

} // namespace game
