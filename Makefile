# Quick start: `make run` starts the calculator, `make test` runs every test.
.PHONY: run test bench format

run:
	scripts/run.sh

test:
	scripts/test.sh

bench:
	scripts/install-deps.sh
	cmake --preset dev
	cmake --build --preset dev -j $$(nproc)
	build/bench/sorba_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
