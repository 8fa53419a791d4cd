#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/service/nxEmbeddedPlatformOptions.h"
#include "platform/service/nxSimulatedApplication.h"

class nxPlatformRandom;

// Makes the hosts, users and applications of a platform from its options and seed:
// a ControlServer pair, fault-tolerant server pairs and market-data servers on the
// server hosts, and client applications on their users' workstations. Each keeps the
// hours of its own region (a gateway those of its exchange), and a pair runs in one
// region. Every application starts out running; the platform then applies the schedules.
class nxPlatformGenerator
{
public:
    struct User
    {
        uint32_t id = 0;
        std::string name;
        std::string node; // the workstation the user works on
        std::string location;
    };

    struct Platform
    {
        std::vector<nxSimulatedApplication> servers;
        std::vector<nxSimulatedApplication> clients;
        std::vector<User> users;
    };

    static Platform Generate(const nxEmbeddedPlatformOptions& options, nxPlatformRandom& random);

    struct Host
    {
        std::string name;
        std::string location;
        std::string region; // Europe, Americas or Asia
    };

private:
    static std::vector<Host> MakeHosts(uint32_t count);
    static std::vector<User> MakeUsers(uint32_t count);
    static void AddServers(uint32_t count, const std::vector<Host>& hosts, nxPlatformRandom& random,
                           std::vector<nxSimulatedApplication>& servers);
    static void AddClients(uint32_t count, const std::vector<User>& users, nxPlatformRandom& random,
                           std::vector<nxSimulatedApplication>& clients);
};
