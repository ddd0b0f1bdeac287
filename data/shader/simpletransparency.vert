#version 120
uniform mat4 mWorldViewProj;

varying vec2 texCoord;

void main()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    texCoord = gl_MultiTexCoord0.xy;
}
