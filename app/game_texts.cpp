#include "app/game_texts.h"

#include <QCoreApplication>

namespace tarvo {

QString ColourName(int16_t colour) {
    return colour == Black ? QCoreApplication::translate("GameTexts", "Black")
                           : QCoreApplication::translate("GameTexts", "White");
}

QString StatusText(Status status, int16_t colour, bool onePerson) {
    const bool black = colour == Black;
    switch (status) {
    case Status::YourTurn:
        return onePerson ? QCoreApplication::translate("GameTexts", "Your turn ...")
               : black   ? QCoreApplication::translate("GameTexts", "Black's turn")
                         : QCoreApplication::translate("GameTexts", "White's turn");
    case Status::ItsYourTurn:
        return QCoreApplication::translate("GameTexts", "It's your turn !");
    case Status::CellTaken:
        return QCoreApplication::translate("GameTexts", "Cell already taken !");
    case Status::IllegalMove:
        return QCoreApplication::translate("GameTexts", "Illegal move !");
    case Status::ComputersTurn:
        return onePerson ? QCoreApplication::translate("GameTexts", "My turn now ...")
               : black   ? QCoreApplication::translate("GameTexts", "Black's turn")
                         : QCoreApplication::translate("GameTexts", "White's turn");
    case Status::ComputerPasses:
    case Status::PlayerPasses:
        if (onePerson) {
            return status == Status::ComputerPasses
                       ? QCoreApplication::translate("GameTexts", "I Pass")
                       : QCoreApplication::translate("GameTexts", "You have to pass ...");
        }
        return black ? QCoreApplication::translate("GameTexts", "Black passes")
                     : QCoreApplication::translate("GameTexts", "White passes");
    case Status::Stopped:
        break;
    }
    return QCoreApplication::translate("GameTexts", "Game stopped");
}

QString TurnName(int16_t colour, bool human, bool onePerson) {
    const bool black = colour == Black;
    if (!onePerson) {
        return black ? QCoreApplication::translate("GameTexts", "Black's turn")
                     : QCoreApplication::translate("GameTexts", "White's turn");
    }
    if (human) {
        return black ? QCoreApplication::translate("GameTexts", "Your turn, Black")
                     : QCoreApplication::translate("GameTexts", "Your turn, White");
    }
    return black ? QCoreApplication::translate("GameTexts", "Computer's turn, Black")
                 : QCoreApplication::translate("GameTexts", "Computer's turn, White");
}

QString ResultText(const event::GameOver& over, int16_t person, bool onePerson) {
    QStringList lines;
    const int16_t black = over.counts[0];
    const int16_t white = over.counts[1];
    if (over.ending == Ending::AllTurnsPlayed) {
        lines << QCoreApplication::translate("GameTexts", "All turns played.");
    } else if (onePerson) {
        lines << (over.ending == Ending::ComputerClosedIn
                      ? QCoreApplication::translate("GameTexts", "I'm closed in - game is over !")
                      : QCoreApplication::translate("GameTexts",
                                                    "You're closed in - game is over !"));
    } else {
        lines << (over.closedIn == Black ? QCoreApplication::translate(
                                               "GameTexts", "Black is closed in - game is over !")
                                         : QCoreApplication::translate(
                                               "GameTexts", "White is closed in - game is over !"));
    }
    if (onePerson) {
        const int16_t mine = person == Black ? black : white;
        const int16_t theirs = person == Black ? white : black;
        if (mine == theirs) {
            lines << QCoreApplication::translate("GameTexts", "We both has equal scores.")
                  << QCoreApplication::translate("GameTexts", "Draw");
        } else {
            lines << QCoreApplication::translate("GameTexts", "You gained %1 pieces, I gained %2.")
                         .arg(mine)
                         .arg(theirs)
                  << (mine > theirs
                          ? QCoreApplication::translate("GameTexts", "Well done - you won !")
                          : QCoreApplication::translate("GameTexts", "You lost this game !"));
        }
        if (over.assisted) {
            lines << QCoreApplication::translate(
                "GameTexts", "With a hint or an undo, this game does not enter the score sheet.");
        }
    } else {
        lines << QCoreApplication::translate("GameTexts",
                                             "Black gained %1 pieces, White gained %2.")
                     .arg(black)
                     .arg(white)
              << (black == white  ? QCoreApplication::translate("GameTexts", "Draw")
                  : black > white ? QCoreApplication::translate("GameTexts", "Black wins !")
                                  : QCoreApplication::translate("GameTexts", "White wins !"));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace tarvo
