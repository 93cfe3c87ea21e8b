// SPDX-License-Identifier: MIT
// Built and started at configure time to learn whether this machine runs
// programs of the target's kind.
int main() {
    return 0;
}
