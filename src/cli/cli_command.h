// One sub-command of sora-tool. Each cmd_*.cpp file registers its own with
// SORA_CLI_COMMAND, so adding a command touches no shared table.
#pragma once

struct CliCommand {
    const char *name;
    const char *usage;                 // one line, shown by "sora-tool help"
    int (*run)(int argc, char **argv); // argv[0] is the command name
    CliCommand *next;
};

void RegisterCliCommand(CliCommand *command);

struct CliRegistrar {
    explicit CliRegistrar(CliCommand *command) { RegisterCliCommand(command); }
};

#define SORA_CLI_COMMAND(ident, name, usage, fn)            \
    static CliCommand ident##_command = {name, usage, fn, nullptr}; \
    static CliRegistrar ident##_registrar(&ident##_command)
