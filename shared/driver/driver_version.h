#pragma once
// The NDIS driver version of the selected adapter, for the About page.

constexpr unsigned long kOidGenDriverVersion = 0x00010110;

// Zeroes g_DriverVersion, then fills it from the driver; returns the OID call's result.
int QueryDriverVersion();
