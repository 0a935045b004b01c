// The label image every report shows under its banner ("gm 209 label.jpg"):
// the suite's name in white on navy, 240 by 54 pixels, a baseline JPEG of
// our own making kept here in base64.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "run/output_file.h"
#include "run/run.h"

namespace qm {

namespace {

const char* const label_jpeg_base64 =
    "/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAYEBQYFBAYGBQYHBwYIChAKCgkJChQODwwQFxQYGBcUFhYaHSUfGhsjHBYWICwg"
    "IyYnKSopGR8tMC0oMCUoKSj/2wBDAQcHBwoIChMKChMoGhYaKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgoKCgo"
    "KCgoKCgoKCgoKCgoKCj/wAARCAA2APADASIAAhEBAxEB/8QAHAAAAgIDAQEAAAAAAAAAAAAAAAcFBgMECAIB/8QARRAAAQIE"
    "AwUFBAYHBgcAAAAAAQIDAAQFEQYSIQcTFzGkFEFVZtIIIlHjFTJhcYGRIzdCRoSywzNSc3WhsRYkNjh0s7T/xAAaAQEAAwEB"
    "AQAAAAAAAAAAAAAAAQIDBAUG/8QANREAAQIDAwsBBwUBAAAAAAAAAQACAwQRBSHREhQVMUFSU5GSobFxEzI0QlFhgSIjM7Lw"
    "4f/aAAwDAQACEQMRAD8AcWIq3IYepTtRqr26lm7C4BJUTyAA5kwpJnb2wl1QlcPuuNdynJsIJ/AIP+8HtNPuJlcPy4Ud04t9"
    "xQ+JSEAfzH84Q8dNjWNLx5cRowqTXaRShpsXTOzsSHELGGlE8uPvlvr/AJcHH3y31/y4RsMOl7MnxhBOJ8UVRmhUh3L2craL"
    "zz+a9srYI5gXFzyueWsem+xrOh+8zu7Fconpg6ndgrfx98t9f8uDj75b6/5cVM7MF1TC0xXsG1duuS0qSJmXLBl5huwufcJN"
    "9NdDr3XigSDcs7Osonn1y8qpQDjrbe8UhPeQm4v91xEMsazn1yWavu7FDPTA+bsE6+Pvlvr/AJcHH3y31/y4h8a7JqbhXBkr"
    "iKYxM++zOJT2VpNMAK1rbUtCVHenKCE2J1t8DFUwPhik4ik6o5P1uZp78hLuTi225APhTKMtyFbxPvXVyt3c4o2yrMc3LDLv"
    "V2KnPZkGmV4TD4++W+v+XBx98t9f8uE3KMU9dXDM1Ovs03OodqRL515Reyt3mGp00zaX5mGVtH2TyGB8Py9SmcSPTK5vSWZT"
    "TsoWrLmspW9OUW77GLPsizWODXMvOq92KgTswb8rwprj75b6/wCXBx98t9f8uFns+w7JYqxCxSJypu096ZUG5dSJXfhSj3K9"
    "9OUW79Yltq2BJLAVQapya07UKgtCXVNmS3KEtnML5t4q5unlbv5wNkWaH+zyL/V2KZ9MUrldgrtx98t9f8uDj75b6/5cI2HA"
    "xsko72AFYwRiya+iEpUog0kbzRzdn3d9/e+3lCJY9nQqZbNf3dignpg6ndgpLj75b6/5cHH3y31/y4R7gSHFBtRUgE5VEWJH"
    "xt3Rddl+C6fjeou09+tuUycShTqR2MOtltIF1FW8TY68rH74s+xbPhtynQ7vV2KCemDcHdgr3x98t9f8uDj75b6/5cUHatgG"
    "Z2f15mQemu2y77IeZmQ1uwvWyhlubEH7eRHxi2bO9ibuLcKIrU3WxTQ5mW2x2TeqLQJAWffTa5Sq2nde8Zusuy2sEQtuP3di"
    "pE7Mk0yuwUlx98t9f8uDj75b6/5cJeqtSbE+63TJp2bk0kbt51ncqXoL3RmVbW45nlFq2VYCmNoGIHae1NdiYZZLzsyWt4E6"
    "gAWuLkk/HuPwjR9jWcxuW5lB6uxUCemCaB3YK/cffLfX/Lg4++W+v+XClxhQZjDGJqjRpw5nZN0t57Wzp5pVbuukg/jGzgSh"
    "SWJcRS1Jnqk7T1zS0tMONyu/CnFKAAUM6bDXnr90DYtnhuXkXersUz6YrTK7BNHj75b6/wCXBx98t9f8uIzEOyahYfxZI4dq"
    "eMnWZ+dQhbKjSSWjnWpCQVB3QkpPdaKdtKwJUsA1puRqLjT7TyC4xMNXyuJvY6HUEd4+3mYzZZVmRCA1mv7uxUmdmR83hMTj"
    "75b6/wCXBx98t9f8uKZsnwDJbQJ2YkPpt2n1FpCnt32LeoLQKBmz7xOt12tbuvePMzgKW4iDC1Oqk5Olpa25uZEgEbgpvdWU"
    "u2KBpdRUm14k2TZocWFl4v1uxUZ7Ma8rwrrx98t9f8uDj75b6/5cK7GFJoVImzL0LEDlZUhxSHHBJblvTvQrOrML37hy0vFe"
    "jRtiSDhUQ+7sVBn5gfN2CfEtt7YU6kTWH3W2u9Tc2FkfgUD/AHht4drchiGlNVGlPb2Wc0BIIKSOYIPIiOLIfHsyzDipTEEu"
    "VHdNrYcSL8ioLB/lH5R5ds2NLwJcxoIoRTaTWpptXXJTsSJEDHmtVh9pz92/4n+lCNh5e05+7f8AE/0oRsetYXwEP8/2K5J/"
    "4h348BZJfd9oa39yzmGe3PLfX/SOmPawN8JYcMrl7EZlRGT6v9n7tu7le0cxwxqbtQecwc3hfFNJYrlJZy9nzOqZeZy/VssA"
    "8gbDTlpqNI7JiE50RkRt+Ts9VzNIoQUwvZC3vacUWvuckvf4ZruW/wBLwjsYdn/4trfYsvZO3P7nLyybxWW1u61oeE9UGaXs"
    "lmn9l05SZGmLaS5UQ9MKVUQtVklFrWFr2vppcp53jniKSwy4r4uqtBT0+ql1wAXSu3T/AJjYFg95n3mwuTWSO4GWWL/mRCi2"
    "YAiVxo4RZCcPzAKu4ErbAH4mJfDe1gymChhXEtBl69SEDK2lcwplaU3uBmAPI8iLERBVjGUl9DTtKwtQGaHJzxT2tXaVzLry"
    "Um6UZ1WypvrYDX4xWDCiMYYRG3Xdqrz7ISCaqmx0t7Uf/Q2Ff8X+kI5zpbsozPsuVKWdmpRJO8Zae3Sli3cvKq2tu4wzto+1"
    "iQxxh+Xpszht6WXKayzyajmCFZct1J3QzC3dcRpHhvdGhuaLhWqhpABCrexf9aeGv/LH+xi2+1P+sxr/AC9r+ZcUTZ9iKSwr"
    "iFirzlMdqD0soOS6UTW4CVDvV7iswt3aRaccbQ8O40rSapWcJzwmUtJZG5rASnKCSNNwddTEPY/OBEDagCmzFSCMmiWEdKUv"
    "/tFe/wAN3/7DCLxtiBjEVSlH5SRXIy0rJMyTTK398rK0nKCVZU3NvshgMbW6OzgBWD0YTmvohSVJJNWG81c3h97c/wB77OUJ"
    "lkSI1lG3ggnUjSBVJ+LvsoJTO4lKSQRh6fII7v0Rjw9imhS+Ga1SqJh+ck3Kohptx9+pB8IDbqXBZO6Tzy2598YMC4mpeG0V"
    "Ez1GmKg/OSzsmVtzwYCWnE5VC27Vc/A3/CNYhc9hGT4VRQFPqo01G2jZFQ51LzTdXknkIfeWQMhBCXr/AABTZy32ARJbFa0z"
    "XGcYvSIyUyXcblJFv+5LttFKPzAzH7VGOaJHF9WpErVqfh+cmKfSKgpe8lc6XDkIIylZSDfKbEgC8XbZptYkcC0KYkJXDb00"
    "7NWMy8qo5QtQBF0p3Ry6HlcxwRZOIIbmtvvuH02laB4rUpTw7sDSlawrhjDc7RUyna56dFTnkuz7EutUsm6G2rOLSSFJU4q/"
    "L3hCkcmaSa6JhFNmU0nMD2MzYLmW2o3uT43N8sSe0DEcnimtpqElTHacN0hosqmt8kBCQlIR7icoCQBbX4x3xmOiUbS7bhrW"
    "YNL03vaqw4ha6RiyRyrYmECVfWggpJsVNquOdxmF/sTCm2T/AKzMMf5gz/OIuqtr1LmNnzGEJ/C0xNU9tpDe8VVAHPdVmBB3"
    "OliLD7NNYoOBa7I4bxHLVadpr0+qVWl6XbRNbjKtKgQVHIrMNLW0++MIDIrIBhuF4qBqvHNWcQXVC6WxxJ4TqO3SgSuIWp41"
    "QyLbkmoPJTLKUl11SUrFs2a4PfY6C3xT3tI1WtzuPBJVyWYlmpJodkSyorStteufMQCSSLHQWy2+0x203aRL40q8jWZWjv0q"
    "sye7S3MJnt6kJQpShZO7TZWZV737uUbG0zabIY+p0qJ/DZl6tLN5Gp1qeuNSCq6N3qNDYZtL8/jlLy8SE5jnCt1Ner0vUucC"
    "Cpn2UP1jz3+Vu/8AtahlYhwxSsYUPGNNwbOKksRCoOLqKFqAVMqClWbWee6P7NtLjW5vCN2T4+ktn87MT/0I7UKi6hTO87bu"
    "kBolBy5N2rW6L3v32tHma2iuy20A4sw1JPUybeWpyaZdmt+h8qVdSTZCbJPw15XveEaXivjF7brhTVSo+qNcA2hVJnpOYp86"
    "/KTrK2JlhZbcacFlIUOYIjBDE2n4/o+OnO2HC5p1YypR2tuezhYBH10bsZja4BuCL99gIXcehDc5zavFCszQG5EPL2Y/3k/h"
    "v6sI2Hl7Mf7yfw39WPMt34CJ+P7Bdch8Q38+Cj2nP3b/AIn+lCNjob2j6PMTlBptSYQVtyLi0u2/ZS5lsr7rpA/GOeYrYDw6"
    "RYBsr5JU2gCI5J+3hEEEEeyuJEEEEEWzTJVM7UZWVW8hhLziWy6sEhFza5ABP5CLVWsIyiKlXRTanLM06kOol3nptxxRUtSl"
    "pFglkG90G4ANviRrFQlXlS0yy+gAraWFgHlcG+sSk3iCbmmqy242wBVZpM2/lSfdWkrICddB+kPO/dGTw4mrT/q4KRRbUhhG"
    "fqGHJisSbjTrUu2p11oNuhSEJNiSso3d++2e9u6NmUwTNTEjLzH0nS2lvSZqAYcW4FpYSopUs2QU6ZVG17kDQHlGOWxlOMUp"
    "EkJKRWpEi7T0zCw5nSy4VEgDPkBuo+9lv8bxqoxPOoS0kNS9mqaulj3Vf2Siok8/re+deXLSKn2t6m5bkngeqTtYXISa2H0p"
    "lEz/AGlpLi21MKsAoJCC4dVAWy3v3RFYloU5h2qKkKikB0IS4kgKAUhQuCAoBQ0PIgEciBG6xiucbcRvJaTfYEgmmuS7qFFD"
    "zKVBQzWUDmzBJukixAtEPUppucmlPMycvJNkABmXz5E2Fv21KUb89SYs32mV+rUhoppOEZ9zDDtdl3GnpVlAcdQlt0FtJWE/"
    "WUgIJuRolROvLQ2JzCM1LU4zPbZF11Mk1UFSrall1LDmWyjdAToVpuM1++xGsZF4znF0lySVJSGZyRTTlTNnN5uUqSQAM+QH"
    "3E6hIvbW51jVcxPOrLxLUv8Apac3TFWSrRpGSxGv1vcGvLnpFR7XalyyuYRnxhddeacaek20oU6EtupLYUoJF1KQEK1IBCVK"
    "tf7491bDJadmfo93OmVpknUHW3VXcUHWmlLKbCxCVO8uYT8bEx9msYzczSJiQXJSIMxJsSLkyA5vC0yptSALrypP6JANki+p"
    "OusbGHcWCTxSxW6gklyUkkSzbDLQUh/IwGUoczK0SUpGYi/fYfCP3RUn/av+pcsMvgqfdqdRklzEq0unobVNLs64GlKt7hS2"
    "hSiUklKrJsCDryvrM4eVMUuUdlVocfmamqntrDtm1EJRY2KRYXX9Ynl3C2uGlYgekKk/UHZVidnnXN6H33HkrQu5JUC2tGpJ"
    "1vcR6m8STU63u51iVfbVUHKk4kpUkOOLy5knKRZBy8hY6nWLUiVS5YcRUVdDm0yz00y+8QStLbbqC2b2sQ4hB/EXH2xsM4am"
    "F4b+mnZmXYlVZw2laXVKcKSARdKChJudApSb/lGLEGIJitNSTLjDEvLSaVIZaaLigkKNyMzilKOvdew/OMtLxI9S6VMScnJS"
    "iHJhlxh6ZzOla0LFiCnPu9AdDkuOfPWJ/Xkj6pdVBwxOgkb2X0poqn1lf2Rtpy+try5fbErJ4RlpicdZfnkSSUUZFTC3VKcB"
    "UUJVY5UXA97lYkfExpN4vmkU0yvYZBTpkTTjNKS4XSze4H18txoAct7DW8YWsUziJ5EwuXlXUiQTTVsrSrI4yEBGtlA3sAbg"
    "jWKkRClykKDs+rNdp6Zynhtxl1xbUv8Ao3TvyjnYhBSkdwKym5/GKhE9LYkKKc3IzVKps7LsOOOSwmA7eXz8wkpWCU3ANlZt"
    "fvN4GLsy6nKUGmxEEEEaKEQQQQREPL2Y/wB5P4b+rCNjob2cKPMSdBqVTfQUNz7iEtX/AGkt5gVfddRH4R41vvDZF4O2nkFd"
    "tngmOCPv4TdcQh1tTbiUrQoFKkqFwR8CIpszsuwbMuqccojQUdSG3nWx+SVAQQR8FCjxYP8AE4t9CQvffDY/3hVYuE+CvBeq"
    "f9cHCfBXgvVP+uCCNtITXFd1HFUzeFuDkEcJ8FeC9U/64OE+CvBeqf8AXBBDSE1xXdRxTN4W4OQRwnwV4L1T/rg4T4K8F6p/"
    "1wQQ0hNcV3UcUzeFuDkEcJ8FeC9U/wCuDhPgrwXqn/XBBDSE1xXdRxTN4W4OQRwnwV4L1T/rg4T4K8F6p/1wQQ0hNcV3UcUz"
    "eFuDkEcJ8FeC9U/64OE+CvBeqf8AXBBDSE1xXdRxTN4W4OQRwnwV4L1T/rg4T4K8F6p/1wQQ0hNcV3UcUzeFuDkEcJ8FeC9U"
    "/wCuDhPgrwXqn/XBBDSE1xXdRxTN4W4OQRwnwV4L1T/rg4T4K8F6p/1wQQ0hNcV3UcUzeFuDkEcJ8FeC9U/64OE+CvBeqf8A"
    "XBBDSE1xXdRxTN4W4OQRwnwV4L1T/rg4T4K8F6p/1wQQ0hNcV3UcUzeFuDkEcJ8FeC9U/wCuDhPgrwXqn/XBBDSE1xXdRxTN"
    "4W4OQRwnwV4L1T/rg4T4K8F6p/1wQQ0hNcV3UcUzeFuDkFlltl2DZZ1LjdEaKhqA4864PyUoiLk2hDTaW20pQhICUpSLAD4A"
    "QQRjFjxY38ri71JKuyGxnuii/9k=";

std::string decode_base64(const char* text)
{
    std::string out;
    unsigned int bits = 0;
    int count = 0;
    for (const char* p = text; *p; ++p) {
        int c = *p;
        int value = c >= 'A' && c <= 'Z'   ? c - 'A'
                    : c >= 'a' && c <= 'z' ? c - 'a' + 26
                    : c >= '0' && c <= '9' ? c - '0' + 52
                    : c == '+'             ? 62
                    : c == '/'             ? 63
                                           : -1;
        if (value < 0)
            continue;
        bits = (bits << 6) | static_cast<unsigned int>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>((bits >> count) & 0xff));
        }
    }
    return out;
}

} // namespace

// Beside a report, so that its header shows the label. An image already there
// is never replaced, and failing to write one is no failure of the run.
void AnalysisRun::write_label_image()
{
    const char* name = "gm 209 label.jpg";
    if (::access(name, F_OK) == 0)
        return;
    OutputFile image;
    if (!image.open(name))
        return;
    std::string bytes = decode_base64(label_jpeg_base64);
    std::fwrite(bytes.data(), 1, bytes.size(), image.file());
    if (!image.close() || !image.commit())
        image.discard();
}

} // namespace qm
