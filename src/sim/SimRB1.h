// One client's RB1 file work: what was imported last.
#pragma once

struct SessaoRB1 {};
