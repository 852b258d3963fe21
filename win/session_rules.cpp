#include "session_rules.h"

SessionAnswer AnswerSession(SessionMessage message, bool ending, uint32_t flags)
{
    SessionAnswer answer;
    // Nothing is saved at the query: the session may yet go on, and the end is told next.
    if (message == SessionMessage::Query || !ending)
        return answer;
    answer.save = true;
    // At the end of a session Windows ends the process itself once every window has answered;
    // asked by an installer, the program ends by itself, so that its files can be replaced.
    answer.endProgram = (flags & kEndSessionCloseApp) != 0;
    return answer;
}
