# SPDX-License-Identifier: MIT
"""Builds the package tarnwick with the project's CMake, for `pip install .`.

CMake builds the extension and installs the package (the extension, its
Python files and its stub) into a staging folder, whose package folder
becomes the wheel's. The version is the project's own, from CMakeLists.txt.
"""
import pathlib
import re
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent


def project_version():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"project\(tarnwick\s+VERSION (\d+\.\d+\.\d+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        temp = pathlib.Path(self.build_temp).resolve()
        build, stage = temp / "cmake", temp / "stage"
        configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     "-DTARNWICK_WITH_QT=OFF", "-DTARNWICK_WITH_PYTHON=ON", "-DBUILD_TESTING=OFF",
                     # another compiler's new warnings must not stop an install
                     "-DTARNWICK_WERROR=OFF",
                     f"-DPython3_EXECUTABLE={sys.executable}", "-DTARNWICK_PYTHON_INSTALL_DIR=."]
        if shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        try:  # pybind11 from the build's own requirements, where pip installed it
            import pybind11

            configure.append(f"-Dpybind11_DIR={pybind11.get_cmake_dir()}")
        except ImportError:
            pass  # Debian's pybind11-dev, which CMake finds by itself
        subprocess.run(configure, check=True)
        # The package, and the licence files that its install component carries.
        subprocess.run(["cmake", "--build", str(build), "--target", "tarnwick_python_package",
                        "tarnwick_compressed_docs"], check=True)
        subprocess.run(["cmake", "--install", str(build), "--component", "python",
                        "--prefix", str(stage)], check=True)
        package = pathlib.Path(self.get_ext_fullpath(ext.name)).parent
        shutil.copytree(stage / "tarnwick", package, dirs_exist_ok=True)


setup(
    version=project_version(),
    ext_modules=[Extension("tarnwick._tarnwick", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
