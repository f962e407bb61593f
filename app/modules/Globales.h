#pragma once
// Shared state of the program (filled in as the services land).
