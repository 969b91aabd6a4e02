#include "commands.h"

#include "checkcommand.h"

std::vector<std::unique_ptr<Command>> makeCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ListCommand>());
    commands.push_back(std::make_unique<ReadCommand>());
    commands.push_back(std::make_unique<WriteCommand>());
    commands.push_back(std::make_unique<VerifyCommand>());
    commands.push_back(std::make_unique<DecodeCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<SeriesCommand>());
    commands.push_back(std::make_unique<TuneCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    return commands;
}
