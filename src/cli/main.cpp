// sora-tool: the editor's batch jobs on files, for scripts and for checking
// the cores on real input. Exit codes: 0 done, 1 bad input or I/O, 2 usage.
#include "cli/cli_command.h"

#include <cstdio>
#include <cstring>

static CliCommand *commandList = nullptr;

void RegisterCliCommand(CliCommand *command)
{
    // Keep the list sorted by name so "help" prints it in order.
    CliCommand **link = &commandList;
    while (*link && std::strcmp((*link)->name, command->name) < 0)
        link = &(*link)->next;
    command->next = *link;
    *link = command;
}

static void PrintUsage(FILE *out)
{
    std::fprintf(out, "usage: sora-tool COMMAND [ARGS...]\n");
    for (CliCommand *c = commandList; c; c = c->next)
        std::fprintf(out, "  %s\n", c->usage);
}

int main(int argc, char **argv)
{
    if (argc < 2 || !std::strcmp(argv[1], "help") || !std::strcmp(argv[1], "--help")) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    for (CliCommand *c = commandList; c; c = c->next)
        if (!std::strcmp(c->name, argv[1]))
            return c->run(argc - 1, argv + 1);
    std::fprintf(stderr, "sora-tool: unknown command \"%s\"\n", argv[1]);
    PrintUsage(stderr);
    return 2;
}
