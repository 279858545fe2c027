#include "HostSetup.h"

#include "Simulator.h"

namespace vkshost {

void configureHost(const Scenario& scenario) {
    vks::sim::Simulator& sim = vks::sim::simulator();
    sim.reset();
    for (const FieldSetting& field : scenario.fields) sim.setField(field.field, field.occurrence, field.text);
    const HostSettings& host = scenario.host;
    if (host.buildVersion) sim.setBuildVersion(host.buildVersion);
    if (host.operatorValid) sim.setOperatorValid(*host.operatorValid);
    if (host.card) sim.setCard(host.card->status, host.card->number.value_or(vks::sim::Behaviour{}.cardNumber));
    for (const RefusedWrite& refusal : host.refusedWrites)
        sim.refuseWrite(refusal.field, refusal.occurrence, refusal.status);
    if (host.authorize) sim.setAuthorizeResult(*host.authorize);
    for (const auto& [typed, meant] : host.keyboard) sim.mapKey(typed, meant);
    if (host.progressText) sim.setProgressText(*host.progressText);
    for (const FailedCall& failure : host.failedCalls) sim.failCall(failure.function, failure.call);
}

} // namespace vkshost
